// vs.1.1 instructions that expand inside the runtime: exp, log, lit, dst, frc
// and the matrix products.
vs.1.1
exp r0, v0.x
log r0.y, v0.w
expp r1, v1.y
logp r1.z, -v1.x
lit r2, v2
dst r3, r2, v3
frc r4.xy, v4
m4x4 oPos, v0, c0
m4x3 r5.xyz, v5, c4
m3x4 r6, v6, c8
m3x3 r7.xyz, v7, c12
m3x2 r8.xy, -v8, c16
