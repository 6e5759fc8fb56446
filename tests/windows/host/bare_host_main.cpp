// A renderer host that exports none of the renderer functions: every lookup in it fails, so the
// binding layer's two diagnostics show in full, and a shader still runs on in-place values.
//   bareHost.exe PATH\quillomarShaders.dll
#include "check.h"
#include "choice_instance.h"

#include <cstdio>
#include <string>

namespace {

// Runs choiceMr with an attached selector (which needs mi_phen_eval) and returns what the
// library wrote to standard error.
std::string runAttachedChoice(const ShaderLibrary& library, const std::string& when) {
    ChoiceInstance choice(1);
    choice.attachSelector();
    ChoiceResult result;
    bool ran = false;
    const std::string text = captureStandardError([&] { ran = choice.run(library, result); });
    check(ran && ChoiceInstance::picked(result, 1),
          when + ": without mi_phen_eval the attached selector is read in place");
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bareHost DLL\n");
        return 2;
    }
    ShaderLibrary library(argv[1]);
    check(library.loaded(), std::string("LoadLibrary of ") + argv[1]);
    if (!library.loaded()) {
        return finish("bareHost");
    }

    // A null module handle is reported, and the lookup is still made: for a null module the
    // system searches the program itself, which exports nothing, so the failure follows.
    std::string text = runAttachedChoice(library, "before miSetModuleHandle");
    check(text == kNullHandleMessage +
                      lookupFailureMessage("mi_phen_eval", nullptr, kProcedureNotFound),
          "a call before miSetModuleHandle reports the null handle, then the failed lookup; got: " +
              text);

    // A name the program does not export fails on every call, not only on the first.
    library.setModuleHandle(ownModuleHandle());
    const std::string failure =
        lookupFailureMessage("mi_phen_eval", ownModuleHandle(), kProcedureNotFound);
    for (const char* call : {"first call", "second call"}) {
        text = runAttachedChoice(library, call);
        check(text == failure, std::string(call) + " with a handle lacking mi_phen_eval reports " +
                                   failure + "got: " + text);
    }
    return finish("bareHost");
}
