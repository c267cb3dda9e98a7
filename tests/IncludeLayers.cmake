# Fails when a source folder includes a header of a folder it may not depend on. The folders form
# layers, from the bottom: the numeric kernels and the two sparse packages (LU, Cholesky) side by
# side, the ply micromechanics and the weave, the woven models, the finite-element model; then
# the number text and the solver material cards (side by side, each standing alone), the
# toolkit-free controls, the material library, the forms and, beside them, the verification of
# the models, the Qt views and the programs. A folder may include its own headers and those of
# the folders listed for it after its "|", nothing else; every folder with sources must be
# listed. Run as `cmake -DSOURCE_DIR=<root> -P <this>`.
#
# Quoted includes are resolved as the build resolves them: beside the including file first, then
# under each folder of the tree (a library header is named from library/, "numerics/Matrix.h").
# Angle-bracket includes are checked too: only the library's own C++ standard headers in the
# library, Qt only in the views, the desktop programs and the chart program behind `corvel-cli
# plot` (which also reads the command-line tool's parts), CLI11 only in the command-line tool and
# nlohmann-json only there and in the verification (which reads the published laminae).

cmake_minimum_required(VERSION 3.24)

set(layers
  "library/include|"
  "library/numerics|"
  "library/sparse|"
  "library/cholesky|"
  "library/micromechanics|library/include"
  "library/weave|library/numerics,library/include"
  "library/woven|library/weave,library/micromechanics,library/numerics,library/include"
  "library/fe|library/woven,library/weave,library/micromechanics,library/cholesky,library/sparse,library/numerics,library/include"
  "numbertext|"
  "solverformats|"
  "controls|numbertext"
  "materials|controls,numbertext,library/include"
  "frontend|solverformats,materials,controls,numbertext,library/include"
  "verification|materials,controls,numbertext,library/numerics,library/include"
  "gui|frontend,solverformats,materials,controls,numbertext,library/include"
  "app/cli|verification,frontend,solverformats,materials,controls,numbertext,library/include"
  "app/plot|app/cli,gui,frontend,solverformats,materials,controls,numbertext,library/include"
  "app|gui,frontend,solverformats,materials,controls,numbertext,library/include")

# Top-level folders that hold no product code: tests, benchmarks, fuzz targets, documents,
# scripts, CMake helpers, build trees and hidden folders.
set(unlayered "^(tests|bench|fuzz|docs|scripts|cmake|build.*|\\..*)$")

set(folders "")
foreach(layer IN LISTS layers)
  string(REPLACE "|" ";" parts "${layer}")
  string(REPLACE "," ";" parts "${parts}")
  list(GET parts 0 folder)
  list(APPEND folders "${folder}")
  list(LENGTH parts count)
  set(allowed_${folder} "")
  if(count GREATER 1)
    list(SUBLIST parts 1 -1 allowed)
    set(allowed_${folder} ${allowed})
  endif()
endforeach()

# The layer that owns a path: the longest listed folder it lies under, or "" for none.
function(owner_of path out)
  set(best "")
  set(bestLength 0)
  foreach(folder IN LISTS folders)
    string(LENGTH "${folder}" length)
    string(FIND "${path}" "${folder}/" at)
    if(at EQUAL 0 AND length GREATER bestLength)
      set(best "${folder}")
      set(bestLength ${length})
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

# Where a quoted include of a file in `directory` leads, relative to the root: beside the file,
# else under library/ or under any listed folder. "" when nothing matches.
function(resolve include directory out)
  if(EXISTS "${SOURCE_DIR}/${directory}/${include}")
    file(RELATIVE_PATH found "${SOURCE_DIR}" "${SOURCE_DIR}/${directory}/${include}")
    set(${out} "${found}" PARENT_SCOPE)
    return()
  endif()
  set(matches "")
  foreach(root IN ITEMS library ${folders})
    if(EXISTS "${SOURCE_DIR}/${root}/${include}")
      list(APPEND matches "${root}/${include}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES matches)
  list(LENGTH matches count)
  if(count EQUAL 1)
    set(${out} "${matches}" PARENT_SCOPE)
  elseif(count GREATER 1)
    set(${out} "ambiguous: ${matches}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(violations "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" top "${source}")
  if(top MATCHES "${unlayered}")
    continue()
  endif()
  owner_of("${source}" layer)
  if(layer STREQUAL "")
    list(APPEND violations "${source}: its folder is not in the list of layers")
    continue()
  endif()
  get_filename_component(directory "${source}" DIRECTORY)
  file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(include "${CMAKE_MATCH_1}")
      resolve("${include}" "${directory}" target)
      if(target STREQUAL "" OR target MATCHES "^ambiguous")
        list(APPEND violations "${source}: \"${include}\" resolves to no single header ${target}")
        continue()
      endif()
      owner_of("${target}" targetLayer)
      if(NOT targetLayer STREQUAL layer AND NOT targetLayer IN_LIST allowed_${layer})
        list(APPEND violations "${source} (${layer}) includes ${target} (${targetLayer})")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      set(include "${CMAKE_MATCH_1}")
      if(layer MATCHES "^library/" AND NOT include MATCHES "^[a-z_]+$")
        list(APPEND violations "${source}: <${include}> is not a C++ standard header")
      elseif(include MATCHES "^Q" AND NOT layer MATCHES "^(gui|app|app/plot)$")
        list(APPEND violations "${source}: Qt header <${include}> outside the views")
      elseif(include MATCHES "^CLI/" AND NOT layer STREQUAL "app/cli")
        list(APPEND violations "${source}: <${include}> outside the command-line tool")
      elseif(include MATCHES "^nlohmann/" AND NOT layer MATCHES "^(app/cli|verification)$")
        list(APPEND violations "${source}: <${include}> outside the command-line tool")
      endif()
    endif()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "includes against the layers:\n  ${text}")
endif()
