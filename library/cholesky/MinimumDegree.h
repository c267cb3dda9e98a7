#pragma once

// Fill-reducing elimination order of a symmetric sparsity pattern by minimum degree.
//
// The graph is given by the neighbours of each vertex, both triangles, without the diagonal:
// those of vertex i at adjacency[start[i]] .. adjacency[start[i + 1] - 1], 0-based. On success
// order[k] is the vertex to eliminate k-th. False when memory runs out (order is then unusable).
//
// Elimination is simulated on the quotient graph, where each eliminated vertex becomes an
// element standing for the clique it leaves behind, so the work space never outgrows the pattern
// by much. Vertices with the same neighbours (the unknowns of one mesh node, say) are merged into
// supervariables at the start and whenever elimination makes them alike; a supervariable is
// eliminated whole, its members consecutively. Degrees are exact external degrees: the number of
// other unknowns a vertex shares an element or an edge with.
bool CholeskyMinimumDegree(int n, const int* start, const int* adjacency, int* order);
