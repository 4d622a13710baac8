# Each library sees only the headers it is allowed to include. Sources
# include headers as "folder/name.h", but the project root is on no include
# path. A folder's headers are reached through a view directory that links
# each header at the top of the folder (not its subfolders); a target gets
# the view of its own folder, and the views of the libraries it links come
# with them. So an include that crosses the layers the wrong way (engine/
# reaching into app/, app's logic into platform/, render/ into the program
# on top in app/win/) finds no file and fails the build.
#
#   marilo_include_view(TARGET folder...)     e.g. app, app/win
function(marilo_include_view target)
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
    set(view ${CMAKE_BINARY_DIR}/include-views/${name})
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
