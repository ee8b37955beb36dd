# Run by CPack on the staged files before it packs them: strips the programs as Debian's
# packaging tools do, so that they carry neither debugging symbols nor the compiler's
# .comment and .note sections.
find_program(LRW_STRIP strip REQUIRED)
file(GLOB_RECURSE lrw_programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program IN LISTS lrw_programs)
  execute_process(COMMAND ${LRW_STRIP} --remove-section=.comment --remove-section=.note
                          --strip-unneeded ${program}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Cannot strip ${program}")
  endif()
endforeach()
