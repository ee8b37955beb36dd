# Run while installing (see Install.cmake): writes each template of LRW_TEMPLATES
# ("TEMPLATE=DESTINATION_FOLDER") without its ".in", with @LRW_INSTALLED_PROGRAM@ and
# @LRW_INSTALLED_SHOWTOOL@ replaced by the full paths of the installed programs as
# Exec arguments, and @LRW_SHOWTOOL_PATH@ by showtool's plain path.
get_filename_component(bindir "${LRW_INSTALLED_BINDIR}" ABSOLUTE)

# Both readers split their Exec lines like a shell: a path with anything but plain
# characters goes in single quotes, and one that cannot be quoted so is refused.
function(lrw_exec_argument path out)
  if(path MATCHES "^[A-Za-z0-9_./+,:@=-]+$")
    set(${out} "${path}" PARENT_SCOPE)
  elseif(path MATCHES "['\n\r%]")
    message(FATAL_ERROR "Cannot install into a prefix whose path holds a quote, a line break or a %: ${path}")
  else()
    set(${out} "'${path}'" PARENT_SCOPE)
  endif()
endfunction()

lrw_exec_argument("${bindir}/lanternreelworks" LRW_INSTALLED_PROGRAM)
lrw_exec_argument("${bindir}/showtool" LRW_INSTALLED_SHOWTOOL)
set(LRW_SHOWTOOL_PATH "${bindir}/showtool")  # a TryExec line takes the path itself
foreach(entry IN LISTS LRW_TEMPLATES)
  string(REPLACE "=" ";" entry "${entry}")
  list(GET entry 0 template)
  list(GET entry 1 destination)
  get_filename_component(name "${template}" NAME)
  string(REGEX REPLACE "\\.in$" "" name "${name}")
  configure_file("${template}" "${LRW_STAGING_DIR}/${name}" @ONLY)
  file(INSTALL DESTINATION "${destination}" TYPE FILE FILES "${LRW_STAGING_DIR}/${name}")
endforeach()
