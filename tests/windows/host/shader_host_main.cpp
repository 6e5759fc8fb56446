// The renderer as far as the shader library sees it on Windows: loads quillomarShaders.dll with
// LoadLibrary, hands it this program's module handle (this program exports the renderer
// functions the shaders call), calls every _version and runs every shader once.
//   shaderHost.exe PATH\quillomarShaders.dll SHADER...
// SHADER names each shader export the library must have.
#include "check.h"
#include "choice_instance.h"
#include "renderer_exports.h"
#include "shader_checks.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

bool has(const std::vector<std::string>& shaders, const std::string& name) {
    for (const std::string& shader : shaders) {
        if (shader == name) {
            return true;
        }
    }
    return false;
}

void checkExports(const ShaderLibrary& library, const std::vector<std::string>& shaders) {
    check(library.find("miSetModuleHandle") != nullptr, "miSetModuleHandle is exported");
    for (const std::string& shader : shaders) {
        check(library.find(shader) != nullptr, shader + " is exported");
        check(library.version(shader) == 1, shader + "_version returns 1");
    }
}

// Runs choiceMr with its selector attached to the value 2 and returns what the library wrote to
// standard error; `resolved` says whether mi_phen_eval is expected to be found.
std::string runAttachedChoice(const ShaderLibrary& library, bool resolved,
                              const std::string& when) {
    ChoiceInstance choice(1);
    choice.attachSelector();
    const miInteger two = 2;
    renderer::answerAttachment(choice.selectorField(), &two);
    ChoiceResult result;
    bool ran = false;
    const std::string text = captureStandardError([&] { ran = choice.run(library, result); });
    check(ran && ChoiceInstance::picked(result, resolved ? 2 : 1),
          when + (resolved ? ": the selector comes from mi_phen_eval"
                           : ": without mi_phen_eval the selector is read in place"));
    renderer::forgetAttachments();
    return text;
}

void checkBinding(const ShaderLibrary& library) {
    // For a null module the system searches the program itself, which exports mi_phen_eval:
    // the null handle is reported and the lookup then succeeds.
    std::string text = runAttachedChoice(library, true, "before miSetModuleHandle");
    check(text == kNullHandleMessage,
          "a call before miSetModuleHandle reports the null handle; got: " + text);

    // A handle whose module lacks the name: reported on every call, the value read in place.
    library.setModuleHandle(systemModuleHandle());
    const std::string failure =
        lookupFailureMessage("mi_phen_eval", systemModuleHandle(), kProcedureNotFound);
    for (const char* call : {"first call in kernel32", "second call in kernel32"}) {
        text = runAttachedChoice(library, false, call);
        check(text == failure, std::string(call) + " reports " + failure + "got: " + text);
    }

    // A new handle clears the cache: the entry resolves again, in this program.
    library.setModuleHandle(ownModuleHandle());
    text = runAttachedChoice(library, true, "after a new module handle");
    check(text.empty(), "a resolvable lookup writes nothing; got: " + text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: shaderHost DLL SHADER...\n");
        return 2;
    }
    const std::vector<std::string> shaders(argv + 2, argv + argc);
    ShaderLibrary library(argv[1]);
    check(library.loaded(), std::string("LoadLibrary of ") + argv[1]);
    if (!library.loaded()) {
        return finish("shaderHost");
    }
    checkExports(library, shaders);

    check(has(shaders, "choiceMr"), "choiceMr drives the binding checks");
    if (has(shaders, "choiceMr")) {
        checkBinding(library);
    }

    const std::map<std::string, void (*)(const ShaderLibrary&)> runs = {
        {"choiceMr", checkChoiceMr},
        {"composite", checkComposite},
        {"contourMltShader", checkContourPipeline}};
    for (const auto& [shader, run] : runs) {
        if (has(shaders, shader) && library.find(shader) != nullptr) {
            const std::string text = captureStandardError([&, run = run] { run(library); });
            check(text.empty(), shader + " runs without diagnostics; got: " + text);
        }
    }
    check(renderer::messagesReceived() == 0, "the shaders report nothing to the message functions");
    return finish("shaderHost");
}
