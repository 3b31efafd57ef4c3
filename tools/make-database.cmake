# Makes db.mdb from the schema only when there is none. An existing db.mdb holds a school's
# timetables: no change of the schema or of periwell-mkdb may replace it.
# Run as: cmake -DMKDB=tool -DSQL=schema.sql -DDB=db.mdb -P make-database.cmake
if(EXISTS "${DB}")
    return()
endif()
message(STATUS "Making ${DB} from ${SQL}")
file(REMOVE "${DB}.new")
execute_process(COMMAND "${MKDB}" "${SQL}" "${DB}.new" RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    file(REMOVE "${DB}.new")
    message(FATAL_ERROR "periwell-mkdb could not make ${DB}")
endif()
# Renamed into place whole, so a failed run never leaves half a database behind.
file(RENAME "${DB}.new" "${DB}")
