#pragma once

#include <cstddef>
#include <functional>

#include "Calculations.h"

// The rows of a sweep computed on several threads and handed on in row order. Rows 0..count-1 are
// computed by `compute` on up to `jobs` threads (one: on the calling thread alone) and passed to
// `consume`, on the calling thread, in order, each as soon as it and every row before it are
// ready; so the output is the same, byte for byte, whatever the number of jobs. At most a window
// of rows is computed ahead of the one consumed, so memory stays bounded however long the sweep.
//
// A row whose computation throws stops the run: the rows before it are consumed, the workers
// stop, and the exception is rethrown here; so does an exception from `consume`.
void ComputeInOrder(std::size_t count, int jobs,
                    const std::function<Calculation(std::size_t)>& compute,
                    const std::function<void(Calculation&)>& consume);
