; Hello world for DOS
        .model small
        .stack 100h

        .data
msg     db 'Hello, world!', 13, 10, '$'
count   dw 0FFh
mask    dd 10101010b, 777q, 0x1F

        .code
start:  mov ax, @data
        mov ds, ax
        mov dx, offset msg   ; the message
        mov ah, 09h
        int 21h
        xor cx, cx
@@loop: inc cx
        cmp cx, 10
        jne @@loop
        mov byte ptr [bx+si], "A"
        mov ax, 4C00h
        int 21h
        end start
