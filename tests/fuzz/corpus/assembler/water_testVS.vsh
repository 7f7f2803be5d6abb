; Water vertex shader.
;
; Inputs:  v0 position (three floats; w is 1), v5 diffuse colour.
; Constants: c0-c3 world-view-projection (transposed), c4-c7 world (transposed),
;            c10 (0.5, 0.5, 0.5, 0.5), c11 normal-map tiling per world unit,
;            c12 camera position in world space (w is 1).
; Outputs: oT0 the screen position for the reflection lookup, before the divide by w;
;          oT1 the normal-map coordinates; oD0 how grazing the view is (rgb: 1 - cos,
;          alpha: its fourth power); oD1 the vertex colour.
vs.1.1

m4x4 r0, v0, c0                 ; clip-space position
mov oPos, r0

; Screen position: u = (x + w) / 2 and v = (w - y) / 2, since clip-space y
; points up and texture v points down. The pixel shader divides by w.
mul r1, r0, c10
add oT0.x, r1.x, r1.w
add oT0.y, r1.w, -r1.y
mov oT0.zw, r0.w

; The normal map lies flat on the water, repeated every 1 / c11 world units.
m4x3 r2.xyz, v0, c4             ; world position
mul oT1.xy, r2.xzzz, c11

; Cosine between the view ray and the water's up direction.
add r3.xyz, c12, -r2
dp3 r4.x, r3, r3
rsq r4.x, r4.x
mul r4.y, r3.y, r4.x
add r4.y, c12.w, -r4.y          ; 1 - cos: 0 looking straight down, 1 along the surface
mul r4.z, r4.y, r4.y
mul r4.w, r4.z, r4.z
mov oD0.xyz, r4.y
mov oD0.w, r4.w
mov oD1, v5
