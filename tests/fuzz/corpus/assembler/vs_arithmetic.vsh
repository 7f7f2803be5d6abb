; vs.1.1 arithmetic: every operation, negation, swizzles and write masks.
vs.1.1
mov r0, v0
add r1, v0, -c0
sub r2.xyz, v1.zxyw, c1.w
mul r3.xw, -r0.yyzz, r1.x
mad r4, v2, c2.xy, -r3
dp3 r5.x, v3.xyz, c3
dp4 r5.y, -v3, c4.wzyx
rcp r6.z, r5.x
rsq r6.w, r5.y
min r7.yz, r6, c5
max r8.xyw, r7.zzz, -c6.yx
slt r9, r8, c7
sge r10.w, r8.w, c8.z
nop
mov oPos, r10
