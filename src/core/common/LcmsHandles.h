#pragma once

#include <lcms2.h>

#include <memory>

// Owning handles for LittleCMS profiles and transforms.
struct LcmsProfileCloser {
    void operator()(void *p) const { cmsCloseProfile(p); }
};
struct LcmsTransformDeleter {
    void operator()(void *t) const { cmsDeleteTransform(t); }
};
using LcmsProfile = std::unique_ptr<void, LcmsProfileCloser>;
using LcmsTransform = std::unique_ptr<void, LcmsTransformDeleter>;
