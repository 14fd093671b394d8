# Run by cpack once the files to package lie in its staging folder, before it packs them: every
# file and folder takes the time SOURCE_DATE_EPOCH gives (the last commit's, from
# scripts/release.sh), so the archives and the installer, which record file times, are the same
# from one build to the next. Without SOURCE_DATE_EPOCH the files keep their own times.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
if(staged)
    execute_process(COMMAND touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH} ${staged}
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
