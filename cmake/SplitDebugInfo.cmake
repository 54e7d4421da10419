# quivane_split_debug_info(TARGET): after linking, the program keeps neither debug information nor
# a symbol table; both go to TARGET.debug beside it, and a debuglink names that file, so debuggers
# still find them. The compiler's version notes go too. Every executable riddle copies the player
# whole, so this keeps riddles small.
function(quivane_split_debug_info target)
    set(program $<TARGET_FILE:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${program} ${program}.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all --remove-section=.comment
                --add-gnu-debuglink=${program}.debug ${program}
        VERBATIM)
endfunction()
