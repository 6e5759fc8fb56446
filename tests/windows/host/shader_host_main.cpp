// The renderer as far as the shader library sees it on Windows: loads quillomarShaders.dll with
// LoadLibrary, hands it this program's module handle (this program exports the renderer
// functions the shaders call), calls every _version and runs every shader once.
//   shaderHost.exe PATH\quillomarShaders.dll SHADER...
// SHADER names each shader export the library must have.
#include "check.h"
#include "choice_instance.h"
#include "renderer_exports.h"
#include "shader_checks.h"

#include <atomic>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
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

// For a null module the system searches the program itself, which exports mi_phen_eval: the
// null handle is reported and the lookup then succeeds.
void checkBeforeModuleHandle(const ShaderLibrary& library) {
    const std::string text = runAttachedChoice(library, true, "before miSetModuleHandle");
    check(text == kNullHandleMessage,
          "a call before miSetModuleHandle reports the null handle; got: " + text);
}

// A handle whose module lacks the name: reported on every call, the value read in place. Then a
// new handle clears the cache again and the entry resolves in this program.
void checkNewModuleHandles(const ShaderLibrary& library) {
    library.setModuleHandle(systemModuleHandle());
    const std::string failure =
        lookupFailureMessage("mi_phen_eval", systemModuleHandle(), kProcedureNotFound);
    for (const char* call : {"first call in kernel32", "second call in kernel32"}) {
        const std::string text = runAttachedChoice(library, false, call);
        check(text == failure, std::string(call) + " reports " + failure + "got: " + text);
    }
    library.setModuleHandle(ownModuleHandle());
    const std::string text = runAttachedChoice(library, true, "after a new module handle");
    check(text.empty(), "a resolvable lookup writes nothing; got: " + text);
}

// Render threads share the binding cache: after a new module handle their first calls race to
// resolve the entry, and every call must still reach the renderer's function.
void checkFromSeveralThreads(const ShaderLibrary& library) {
    library.setModuleHandle(ownModuleHandle());
    ChoiceInstance choice(1);
    choice.attachSelector();
    const miInteger two = 2;
    renderer::answerAttachment(choice.selectorField(), &two);
    std::atomic<int> wrong{0};
    const std::string text = captureStandardError([&] {
        std::vector<std::thread> threads;
        for (int thread = 0; thread < 4; ++thread) {
            threads.emplace_back([&] {
                for (int call = 0; call < 250; ++call) {
                    ChoiceResult result;
                    if (!choice.run(library, result) || !ChoiceInstance::picked(result, 2)) {
                        ++wrong;
                    }
                }
            });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
    });
    check(wrong == 0 && text.empty(),
          "four threads calling at once all read the attached selector: " +
              std::to_string(wrong.load()) + " wrong; " + text);
    renderer::forgetAttachments();
}

void runShaders(const ShaderLibrary& library, const std::vector<std::string>& shaders) {
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
    // choiceMr calls mi_phen_eval when its selector is attached, which drives the binding checks.
    const bool binding = has(shaders, "choiceMr");
    check(binding, "choiceMr is among the shaders");
    if (binding) {
        checkBeforeModuleHandle(library);
    }
    // The renderer's order: the module handle, each _version, then the shaders.
    library.setModuleHandle(ownModuleHandle());
    checkExports(library, shaders);
    runShaders(library, shaders);
    if (binding) {
        checkNewModuleHandles(library);
        checkFromSeveralThreads(library);
    }
    return finish("shaderHost");
}
