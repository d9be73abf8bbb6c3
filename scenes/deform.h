// The room finale's sphere deformation: the copy's positions rebuilt from the
// undeformed source every frame, so no error accumulates.
#pragma once

#include "mesh/olvbrush.h"

// True when both objects have a first mesh with the same vertex count; only
// then can the copy be deformed (and the sphere drawn).
bool sphereMorphReady(const COLVBrush &source, const COLVBrush &morph);

// Writes dst's positions from src's with phase phi, then dst's normals. Reads
// src only. Both meshes must have the same vertex count.
void deformSphere(const CMesh &src, CMesh &dst, float phi);
