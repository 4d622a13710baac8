# Run by CPack after it has made the packages (CPACK_POST_BUILD_SCRIPTS). The
# zip is rewritten with its entries in name order, all at the last commit's
# time, without the extra fields in which the archiver records the builder's
# user and group (tools/zip-normalize.mjs). The setup needs nothing more.
include(${CPACK_MARILO_SOURCE_DIR}/cmake/SourceDateEpoch.cmake)
marilo_source_date_epoch(epoch ${CPACK_MARILO_SOURCE_DIR})
if(epoch STREQUAL "")
  return()
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$")
    execute_process(COMMAND ${CPACK_MARILO_NODE} ${CPACK_MARILO_SOURCE_DIR}/tools/zip-normalize.mjs ${package} ${epoch}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "Could not normalise ${package}")
    endif()
  endif()
endforeach()
