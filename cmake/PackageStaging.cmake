# Run by CPack after it has installed the files into its staging folder and
# before it packs them (CPACK_PRE_BUILD_SCRIPTS), once for the setup and once
# for the zip. It makes the packages depend on the sources alone:
#   - every file and folder gets the time of the last commit
#     (SOURCE_DATE_EPOCH when set, else `git log -1 --format=%ct`), which the
#     zip stores per entry and the setup program stores per file;
#   - fixed permissions, whatever the umask of the one who built;
#   - with CPACK_MARILO_SIGNED_EXE set (tools/release.sh --sign), the signed
#     Marilo.exe replaces the one built, so both packages carry the same one.

set(stage ${CPACK_TEMPORARY_DIRECTORY})

if(CPACK_MARILO_SIGNED_EXE)
  if(NOT EXISTS ${CPACK_MARILO_SIGNED_EXE})
    message(FATAL_ERROR "The signed Marilo.exe is missing: ${CPACK_MARILO_SIGNED_EXE}")
  endif()
  file(COPY_FILE ${CPACK_MARILO_SIGNED_EXE} ${stage}/Marilo.exe)
endif()

include(${CPACK_MARILO_SOURCE_DIR}/cmake/SourceDateEpoch.cmake)
marilo_source_date_epoch(epoch ${CPACK_MARILO_SOURCE_DIR})
if(epoch STREQUAL "")
  message(WARNING "No SOURCE_DATE_EPOCH and no git history: the packages keep the build's file times")
  return()
endif()

file(GLOB_RECURSE files LIST_DIRECTORIES false ${stage}/*)
file(GLOB_RECURSE dirs LIST_DIRECTORIES true ${stage}/*)
list(REMOVE_ITEM dirs ${files})
foreach(f IN LISTS files)
  if(f MATCHES "\\.exe$")
    file(CHMOD ${f} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
  else()
    file(CHMOD ${f} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endforeach()
foreach(d IN LISTS dirs ITEMS ${stage})
  file(CHMOD ${d} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                              WORLD_READ WORLD_EXECUTE)
endforeach()
execute_process(COMMAND touch -h -d @${epoch} ${files} ${dirs} ${stage}
                RESULT_VARIABLE touch_result)
if(NOT touch_result EQUAL 0)
  message(FATAL_ERROR "Could not set the staged files' times to ${epoch}")
endif()
