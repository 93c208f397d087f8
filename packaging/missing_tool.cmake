# Stands in for a validator that configure did not find.
message(FATAL_ERROR "${TOOL} not found; install the Debian package ${PACKAGE} and re-run cmake")
