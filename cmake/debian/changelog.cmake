# Makes the Debian changelog from NEWS; run at build time with cmake -P and
#   -DNEWS=<NEWS> -DOUTPUT=<changelog.Debian> -DVERSION=<x.y.z> -DRELEASE=<Debian revision>
#   -DMAINTAINER=<Name <address>>
# Each version's section of NEWS (a line "Quantaro x.y.z, YYYY-MM-DD", a line of dashes, then
# entries "- ..." continued on lines indented by two spaces) becomes one changelog entry,
# dated at noon UTC of its day, so that the same NEWS always gives the same bytes. The newest
# section must be the version being built.
file(STRINGS ${NEWS} lines)
set(changelog "")
set(trailer "")
set(newest "")
foreach(line IN LISTS lines)
    if(line MATCHES "^Quantaro ([0-9.]+), ([0-9]+-[0-9]+-[0-9]+)$")
        if(newest)
            string(APPEND changelog "${trailer}\n")
        else()
            set(newest ${CMAKE_MATCH_1})
        endif()
        execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2} 12:00"
                        OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND changelog
               "quantaro (${CMAKE_MATCH_1}-${RELEASE}) unstable; urgency=medium\n\n")
        set(trailer "\n -- ${MAINTAINER}  ${date}\n")
    elseif(newest AND line MATCHES "^- (.+)$")
        string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
    elseif(newest AND line MATCHES "^  (.+)$")
        string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
    endif()
endforeach()
if(NOT newest STREQUAL VERSION)
    message(FATAL_ERROR "NEWS has no section for Quantaro ${VERSION} at its top "
                        "(its newest is '${newest}'): add one before the release.")
endif()
file(WRITE ${OUTPUT} "${changelog}${trailer}")
