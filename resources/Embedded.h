#pragma once

namespace resources {

// Makes every file of resources/ known to platform::FindResource under its file name without
// extension. Programs call it once before anything loads a resource.
void RegisterEmbeddedResources();

}  // namespace resources
