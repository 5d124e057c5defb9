# int VormeltCallGuarded(void (*call)(void*), void* context)
# Calls call(context) and returns 1; when a Microsoft C++ exception leaves the
# call, VormeltGuardHandler unwinds back to the landing below, which returns 0.
    .text
    .globl VormeltCallGuarded
    .globl VormeltCallGuardedLanding
    .def VormeltCallGuarded; .scl 2; .type 32; .endef
    .seh_proc VormeltCallGuarded
VormeltCallGuarded:
    subq $40, %rsp
    .seh_stackalloc 40
    .seh_endprologue
    .seh_handler VormeltGuardHandler, @except
    movq %rcx, %rax
    movq %rdx, %rcx
    callq *%rax
    movl $1, %eax
VormeltCallGuardedLanding:
    nop
    addq $40, %rsp
    ret
    .seh_endproc
