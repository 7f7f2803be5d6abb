vs_1_1
/* Every register file of vs.1.1 at its first and last register, the
   declarations a Direct3D 9 tool expects, and relative addressing. */
dcl_position v0
dcl_normal v3
dcl_texcoord0 v7
dcl_color1 v15
mov r0, v0              ; inputs v0 to v15
add r11, v15, c255      // temporaries r0 to r11, constants c0 to c255
mov a0.x, r11.x
mov r1, c[a0.x + 12]
mov r2, -c[a0.x]
add r3, c[7 + a0.x], c[40]
mul r4.xy, c[a0.x+95].zw, r3
mov oPos, r0
mov oD0, r1
mov oD1.xyz, r2
mov oT0, v7
mov oT7.xy, r3.wz
mov oFog.x, r4.x
mov oPts.x, r4.y
mov oFog, -r3.z
