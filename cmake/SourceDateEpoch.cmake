# marilo_source_date_epoch(VAR SOURCE_DIR): the time every file of a package
# carries, in seconds since 1970: SOURCE_DATE_EPOCH when set, else the last
# commit's time; empty when neither is known (no git history).
function(marilo_source_date_epoch var source_dir)
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
  if(epoch STREQUAL "")
    execute_process(COMMAND git -C ${source_dir} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_result ERROR_QUIET)
    if(NOT git_result EQUAL 0)
      set(epoch "")
    endif()
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    set(epoch "")
  endif()
  set(${var} "${epoch}" PARENT_SCOPE)
endfunction()
