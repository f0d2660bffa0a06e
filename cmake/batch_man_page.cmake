# Writes zelkor-batch.1 from the tool's own --help, so the page says what the
# tool does, not what it once did:
#   cmake -DBATCH=path/to/zelkor-batch -DVERSION=1.0 -DOUTPUT=zelkor-batch.1 -P batch_man_page.cmake
execute_process(COMMAND "${BATCH}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${BATCH} --help failed: ${status}")
endif()

# roff reads a leading dot or quote as a request and a backslash as an escape.
function(roff_text in out)
  string(REPLACE "\\" "\\e" text "${in}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REGEX REPLACE "\n$" "" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
list(POP_FRONT lines title)
string(REGEX REPLACE "^zelkor-batch: *" "" summary "${title}")
roff_text("${summary}" summary)

# The usage lines, then (after "notes:") the notes.
set(synopsis "")
set(notes "")
set(in_notes OFF)
foreach(line IN LISTS lines)
  if(line STREQUAL "notes:")
    set(in_notes ON)
    continue()
  endif()
  string(REGEX REPLACE "^usage: *" "" line "${line}")
  roff_text("${line}" line)
  if(in_notes)
    string(APPEND notes "${line}\n")
  else()
    string(APPEND synopsis "${line}\n")
  endif()
endforeach()

file(WRITE "${OUTPUT}.tmp"
".TH ZELKOR\\-BATCH 1 \"\" \"zelkor ${VERSION}\" \"User Commands\"
.SH NAME
zelkor\\-batch \\- ${summary}
.SH SYNOPSIS
.nf
${synopsis}.fi
.SH DESCRIPTION
.B zelkor\\-batch
runs one command of the ZELKOR desktop program, on a file or on the values given, without a display,
and prints its result as text.
The kind of FILE follows its extension (.txt TRANSMIT.TXT, .dat TRIM.DAT, .pnt
WinAGILE point file) unless \\-\\-kind names it.
.B zelkor\\-batch COMMAND \\-\\-help
prints the usage of one command.
.SH NOTES
.nf
${notes}.fi
.SH EXIT STATUS
0 when the command did its work, 1 when it was stopped by a message about the
file or the values, 2 for a usage error.
.SH SEE ALSO
.BR zelkor (1)
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
