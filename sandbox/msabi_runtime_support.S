# What clang's Microsoft-ABI objects expect from Microsoft's C++ runtime,
# supplied for a MinGW executable: the frame handler, which Wine's msvcrt offers
# as __CxxFrameHandler, the terminate entry, and type_info's table, to which the
# host's type descriptors point (handlers compare types by name, never call it).
    .text
    .globl __CxxFrameHandler3
__CxxFrameHandler3:
    jmp *__imp___CxxFrameHandler(%rip)

    .globl __std_terminate
__std_terminate:
    jmp *__imp_abort(%rip)

    .data
    .balign 8
    .globl "??_7type_info@@6B@"
"??_7type_info@@6B@":
    .quad 0
