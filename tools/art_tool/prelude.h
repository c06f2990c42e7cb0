// The Lua helpers every manifest can use (texture, the shape constructors, strips
// of animation frames, include); run before the manifest.
#pragma once

extern const char* const kManifestPrelude;
