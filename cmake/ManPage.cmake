# SPDX-License-Identifier: MIT
# Writes one manual page with help2man: cmake -DHELP2MAN=... -DPROGRAM=...
# -DPAGE=quillon-cli-info -DHELP_OPTION="info --help" -DDESCRIPTION=...
# -DDATE=<seconds since 1970> -DOUTPUT=... -P ManPage.cmake
#
# help2man names a page after the program it runs; a command's page is named
# after the command (quillon-cli-info), as man looks it up.

set(ENV{SOURCE_DATE_EPOCH} ${DATE})
# The window prints its help without a display; in a sanitizer build, what Qt
# keeps until exit must not end the run.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(
  COMMAND ${HELP2MAN} --no-info --name=${DESCRIPTION} --help-option=${HELP_OPTION}
          --version-option=--version --include=${CMAKE_CURRENT_LIST_DIR}/SeeAlso.h2m
          --output=${OUTPUT} ${PROGRAM}
  RESULT_VARIABLE Result ERROR_VARIABLE Errors)
if(NOT Result EQUAL 0)
  message(FATAL_ERROR "help2man failed on ${PROGRAM} ${HELP_OPTION}: ${Errors}")
endif()

file(READ ${OUTPUT} Page)
string(TOUPPER ${PAGE} Title)
string(REGEX REPLACE "\n\\.TH [^ ]+ " "\n.TH ${Title} " Page "${Page}")
string(REGEX REPLACE "\n\\.SH NAME\n[^ ]+ " "\n.SH NAME\n${PAGE} " Page "${Page}")
file(WRITE ${OUTPUT} "${Page}")

# Installed compressed, as Debian keeps its manual pages; -n leaves the time
# out, so one page always gives the same bytes.
execute_process(COMMAND gzip -9 -n -f -k ${OUTPUT} RESULT_VARIABLE Result)
if(NOT Result EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${OUTPUT}")
endif()
