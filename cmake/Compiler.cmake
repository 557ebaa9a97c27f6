# Warnings, sanitizers and the Windows runtime, for every target of the project.
add_compile_options(-Wall -Wextra)
if(VX_WERROR)
    add_compile_options(-Werror)
endif()

if(VX_SANITIZE)
    add_compile_options(-fsanitize=${VX_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${VX_SANITIZE})
endif()

if(WIN32)
    # Texts inside are Windows-1250 bytes; the W calls are used at the edges only.
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
        __USE_MINGW_ANSI_STDIO=1 _WIN32_WINNT=0x0601)
    # A host that loads our DLL has no compiler runtime beside it: link it in.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
