cmake_minimum_required(VERSION 3.25)
# Fails when an include runs against the layers:
#   app -> experiments, datawin -> setup -> view -> ui -> engine
# with the table window's widgets (setup/controls.h) and the window itself
# (setup/table_window.h) private to setup/ and app/: the windows over the
# table see it through setup/table_access.h,
# and the physics, the record forms and the data window's number work
# include neither Qt nor anything above the engine.
# Run as: cmake -DSRC=<src folder> -P check_layers.cmake
set(allowed_engine      "engine")
set(allowed_ui          "ui;engine")
set(allowed_view        "view;ui;engine")
set(allowed_setup       "setup;view;ui;engine")
set(allowed_datawin     "datawin;setup;view;ui;engine")
set(allowed_experiments "experiments;setup;view;ui;engine")
set(allowed_app         "app;experiments;datawin;setup;view;ui;engine")
# The table window's widget bag belongs to its own folder (and main()).
set(widget_bag "setup/controls;setup/table_window")
set(widget_bag_users "setup;app")
# files that must stay free of Qt and of every window folder
set(plain_files
  experiments/experiment_record experiments/text_encoding experiments/catalogue experiments/record_setup
  experiments/box_model
  datawin/run_data datawin/table_text datawin/graph_values datawin/arrow_geometry datawin/data_sheet datawin/ledger datawin/data_export datawin/data_view_model
  datawin/ledger_compare datawin/prediction_sheet datawin/investigation datawin/fit datawin/textbook
  datawin/physics_columns)
set(plain_folders "engine")

set(errors "")
file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
foreach(f IN LISTS sources)
  get_filename_component(folder "${f}" DIRECTORY)
  string(REGEX REPLACE "\\.(h|cpp)$" "" stem "${f}")
  set(plain FALSE)
  if(folder IN_LIST plain_folders OR stem IN_LIST plain_files)
    set(plain TRUE)
  endif()
  file(STRINGS "${SRC}/${f}" lines REGEX "^#include")
  foreach(line IN LISTS lines)
    if(line MATCHES "^#include \"([a-z]+)/([a-z_]+)\\.h\"")
      set(to "${CMAKE_MATCH_1}")
      set(target "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}")
      if(target IN_LIST widget_bag AND NOT folder IN_LIST widget_bag_users)
        list(APPEND errors "${f}: ${line} (only the table window's own code and main() take the window)")
      elseif(NOT to IN_LIST allowed_${folder})
        list(APPEND errors "${f}: ${line} (${folder} may not include ${to})")
      elseif(plain AND NOT to STREQUAL "engine" AND NOT target IN_LIST plain_files)
        list(APPEND errors "${f}: ${line} (plain C++ file includes window code)")
      endif()
    elseif(plain AND line MATCHES "^#include <Q")
      list(APPEND errors "${f}: ${line} (plain C++ file includes Qt)")
    endif()
  endforeach()
endforeach()
if(errors)
  list(JOIN errors "\n" text)
  message(FATAL_ERROR "Layering broken:\n${text}")
endif()
list(LENGTH sources n)
message(STATUS "Layering holds in ${n} files")
