# Fails when a text the program shows has no English translation. The texts are gathered
# from the sources afresh, by lupdate into a copy of the .ts file, so that a new text that
# nobody translated counts too; lrelease must then report none unfinished.
# Script mode: cmake -DLUPDATE=... -DLRELEASE=... -DTS=... -DWORK=... -DSOURCES=a;b -P this
file(MAKE_DIRECTORY "${WORK}")
configure_file("${TS}" "${WORK}/check.ts" COPYONLY)
execute_process(COMMAND "${LUPDATE}" -silent -locations none ${SOURCES} -ts "${WORK}/check.ts"
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed")
endif()
execute_process(COMMAND "${LRELEASE}" "${WORK}/check.ts" -qm "${WORK}/check.qm"
                OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
# lrelease counts a text with a draft English as unfinished, and one with none as ignored.
string(REGEX MATCH "([0-9]+) unfinished" unfinished "${said}")
set(drafts "${CMAKE_MATCH_1}")
string(REGEX MATCH "Ignored ([0-9]+) untranslated" ignored "${said}")
if(failed OR NOT unfinished OR NOT drafts EQUAL 0 OR ignored)
    message(FATAL_ERROR "${TS} lacks English for some texts; run the update_translations "
                        "target and translate what it marks unfinished:\n${said}")
endif()
file(TOUCH "${WORK}/complete")
