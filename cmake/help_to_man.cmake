# Writes a manual page from a program's --help, so that the usage text lives in the
# program alone. Run as a script:
#   cmake -DPROGRAM=path -DNAME=gqc_cli -DSUMMARY="one line" -DVERSION=1.0.0 -DOUTPUT=gqc_cli.1 -P help_to_man.cmake
# The first line of the help is the synopsis; the rest is kept as it is laid out.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()

# Qt's help names the program by the path it was started with.
string(REPLACE "${PROGRAM}" "${NAME}" help "${help}")

# troff: a backslash is \e, a minus is \-, and a line must not start with a control character.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REGEX REPLACE "\n+$" "" help "${help}")
string(FIND "${help}" "\n" end)
string(SUBSTRING "${help}" 0 ${end} synopsis)
string(SUBSTRING "${help}" ${end} -1 description)
string(REGEX REPLACE "^\n+" "" description "${description}")
string(REGEX REPLACE "^[Uu]sage: *" "" synopsis "${synopsis}")
string(REPLACE "-" "\\-" name_escaped "${NAME}")

file(WRITE ${OUTPUT}
  ".TH ${NAME} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n"
  ".SH NAME\n${name_escaped} \\- ${SUMMARY}\n"
  ".SH SYNOPSIS\n.nf\n${synopsis}\n.fi\n"
  ".SH DESCRIPTION\n.nf\n${description}\n.fi\n")
