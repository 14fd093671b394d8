# quantaro_gzip(<target> <file> <what>): compresses <file> into <file>.gz in every default build,
# as Debian wants man pages and changelogs: at the highest level, and without the file's name or
# time in the gzip header, so the same text always gives the same bytes.
function(quantaro_gzip target file what)
    add_custom_command(
        OUTPUT ${file}.gz
        COMMAND gzip -9 --no-name --force --keep ${file}
        DEPENDS ${file}
        COMMENT "Compressing ${what}"
        VERBATIM
    )
    add_custom_target(${target} ALL DEPENDS ${file}.gz)
endfunction()
