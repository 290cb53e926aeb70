# Brings the catalogues up to date with the code's texts: every tr() and QT_TRANSLATE_NOOP under
# src/. No line numbers are kept, so moving code does not touch the catalogues.
#   cmake -DLUPDATE=... -DSOURCE=<repository> -DCATALOGUES=<a;b> [-DCHECK=ON] -P lupdate.cmake
# With CHECK, the catalogues are refreshed in a temporary copy and left alone; the script fails
# when a copy differs: a text of the code is missing, or one the code no longer has is kept.
set(targets ${CATALOGUES})
if(CHECK)
  string(RANDOM LENGTH 8 tag)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/lupdate-check-${tag})
  file(MAKE_DIRECTORY ${work})
  set(targets)
  foreach(catalogue IN LISTS CATALOGUES)
    get_filename_component(name ${catalogue} NAME)
    file(COPY_FILE ${catalogue} ${work}/${name})
    list(APPEND targets ${work}/${name})
  endforeach()
endif()
execute_process(
  COMMAND ${LUPDATE} -silent -locations none -no-obsolete -no-ui-lines -extensions cpp,h
          ${SOURCE}/src -ts ${targets}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()
if(CHECK)
  set(stale)
  foreach(catalogue IN LISTS CATALOGUES)
    get_filename_component(name ${catalogue} NAME)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${catalogue} ${work}/${name}
                    RESULT_VARIABLE differs)
    if(differs)
      list(APPEND stale ${name})
    endif()
  endforeach()
  file(REMOVE_RECURSE ${work})
  if(stale)
    message(FATAL_ERROR "Not up to date with the code: ${stale}. "
                        "Run: cmake --build build --target update-translations")
  endif()
endif()
