# Run by CPack before it packs (CPACK_PRE_BUILD_SCRIPTS): strips the
# programs and the modules as Debian's dh_strip does, debugging symbols and
# the .comment and .note sections alike, which plain stripping leaves.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
file(GLOB_RECURSE modules "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/lib/*.so")
list(APPEND programs ${modules})
foreach(program IN LISTS programs)
    execute_process(
        COMMAND "${CPACK_VELTRANO_STRIP}" --remove-section=.comment --remove-section=.note
                --strip-unneeded "${program}"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "could not strip ${program}")
    endif()
endforeach()
