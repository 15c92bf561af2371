#pragma once

#include "link/hgcbox.h"
#include "tables/operator_credentials.h"

// The operator's write password and identification code as the engine carries them.
OperatorCredentials engineCredentials(const hgcbox& engine);
void loadCredentials(hgcbox& engine, const OperatorCredentials& credentials);
