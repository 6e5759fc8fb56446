#pragma once
// The OpenMP runtime of the deformer's parallel loop stays loaded once the plug-in has loaded it.

// Its worker threads outlive every parallel loop and wait inside the runtime's own code, so a
// runtime unloaded together with the plug-in (when nothing else in the host uses one) would be
// pulled from under them. Call once the plug-in is loaded, before any parallel loop runs.
void keepOpenMpRuntimeLoaded();
