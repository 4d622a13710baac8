# Each library sees only the headers it is allowed to include. Sources
# include headers as "folder/name.h", but the project root is on no include
# path. A library's own headers (the .h files among its sources) are reached
# through a view directory of its own that links just those; a target gets
# its own view, and the views of the libraries it links come with them. So
# an include that crosses the layers the wrong way (engine/ reaching into
# app/, app's logic into the Windows layer, render's portable core into its
# GDI half) finds no file and fails the build.
#
#   marilo_include_view(TARGET)            the target's own headers
#   marilo_folder_view(TARGET folder...)   every header of a folder (the
#                                          resource IDs, the tests' helpers)
function(marilo_include_view target)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
    get_target_property(sources ${target} INTERFACE_SOURCES)
  else()
    if(type STREQUAL "EXECUTABLE")
      set(scope PRIVATE)
    else()
      set(scope PUBLIC)
    endif()
    get_target_property(sources ${target} SOURCES)
  endif()
  get_target_property(dir ${target} SOURCE_DIR)
  set(view ${CMAKE_BINARY_DIR}/include-views/${target})
  # Made anew at each configure, so a header that left the library leaves it.
  file(REMOVE_RECURSE ${view})
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.h$")
      continue()
    endif()
    get_filename_component(header ${source} ABSOLUTE BASE_DIR ${dir})
    file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${header})
    get_filename_component(folder ${path} DIRECTORY)
    get_filename_component(file ${path} NAME)
    file(MAKE_DIRECTORY ${view}/${folder})
    if(NOT EXISTS ${view}/${path})
      file(CREATE_LINK ${header} ${view}/${path} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} ${scope} ${view})
endfunction()

function(marilo_folder_view target)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  elseif(type STREQUAL "EXECUTABLE")
    set(scope PRIVATE)
  else()
    set(scope PUBLIC)
  endif()
  foreach(folder IN LISTS ARGN)
    string(REPLACE "/" "-" name "${folder}")
    set(view ${CMAKE_BINARY_DIR}/include-views/folder-${name})
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    file(MAKE_DIRECTORY ${view}/${folder})
    foreach(header IN LISTS headers)
      get_filename_component(file ${header} NAME)
      if(NOT EXISTS ${view}/${folder}/${file})
        file(CREATE_LINK ${header} ${view}/${folder}/${file} SYMBOLIC)
      endif()
    endforeach()
    target_include_directories(${target} ${scope} ${view})
  endforeach()
endfunction()
