# Writes a manual page from a program's --help, so that the usage text lives in the
# program alone. Run as a script:
#   cmake -DPROGRAM=path -DNAME=gqc_cli -DSUMMARY="one line" -DVERSION=1.0.0 -DOUTPUT=gqc_cli.1 -P help_to_man.cmake
# The help's first line and the indented lines that go on with it are the synopsis,
# the rest is the description; both keep their layout.
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
string(REGEX MATCH "^[^\n]*(\n[ \t][^\n]*)*" synopsis "${help}")
string(LENGTH "${synopsis}" end)
string(SUBSTRING "${help}" ${end} -1 description)
string(REGEX REPLACE "^\n+" "" description "${description}")
string(REGEX MATCH "^[Uu]sage: *" usage "${synopsis}")
string(LENGTH "${usage}" indent)
string(SUBSTRING "${synopsis}" ${indent} -1 synopsis)
string(REPEAT " " ${indent} indent)
string(REPLACE "\n${indent}" "\n" synopsis "${synopsis}")
string(REPLACE "-" "\\-" name_escaped "${NAME}")

string(CONCAT page
  ".TH ${NAME} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n"
  ".SH NAME\n${name_escaped} \\- ${SUMMARY}\n"
  ".SH SYNOPSIS\n.nf\n${synopsis}\n.fi\n")
if(NOT description STREQUAL "")
  string(APPEND page ".SH DESCRIPTION\n.nf\n${description}\n.fi\n")
endif()
file(WRITE ${OUTPUT} "${page}")
