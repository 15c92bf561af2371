#pragma once

#include "link/hgcbox.h"
#include "tables/operator_credentials.h"

// The operator's write password and identification code as the engine carries them.
OperatorCredentials engineCredentials(const hgcbox& engine);
// Puts them into the engine's settings, each blank-padded (or cut) to its length.
void loadCredentials(hgcbox& engine, const OperatorCredentials& credentials);

// Blank credentials in the engine for as long as the guard lives: a controller
// whose user table is destroyed takes only those. The operator's own come back
// on every way out of the scope; the rest of the engine's settings, as they are
// then, are left alone.
class ScopedBlankCredentials {
public:
    explicit ScopedBlankCredentials(hgcbox& engine);
    ~ScopedBlankCredentials();
    ScopedBlankCredentials(const ScopedBlankCredentials&) = delete;
    ScopedBlankCredentials& operator=(const ScopedBlankCredentials&) = delete;

private:
    hgcbox& engine_;
    WriteCredentials saved_;
};
