// The binding entries, linked from the library's sources, bound to fake renderer modules.
#include "binding/binding.h"
#include "binding/evaluate.h"
#include "binding/module_handle.h"
#include "fake_renderer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <dlfcn.h>

namespace {

struct FakeModule {
    void* handle = nullptr;
    FakeRendererRecord* record = nullptr;

    explicit FakeModule(const char* path) : handle(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
        if (handle != nullptr) {
            record = reinterpret_cast<FakeRecordFunction>(dlsym(handle, "fakeRendererRecord"))();
        }
    }
    ~FakeModule() {
        if (handle != nullptr) {
            dlclose(handle);
        }
    }
    std::string handleText() const {
        char text[16];
        std::snprintf(text, sizeof text, "%08x",
                      static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(handle)));
        return text;
    }
};

class BindingTest : public ::testing::Test {
protected:
    FakeModule full{FAKE_RENDERER_FULL};
    FakeModule partial{FAKE_RENDERER_PARTIAL}; // no mi_trace_transparent
    miState state{};

    void SetUp() override {
        ASSERT_NE(full.handle, nullptr) << dlerror();
        ASSERT_NE(partial.handle, nullptr) << dlerror();
    }
    void TearDown() override { miSetModuleHandle(nullptr); }
};

std::string failure(const char* name, const std::string& handle, int error) {
    return "dlsym failed on \"" + std::string(name) + "\" (handle: " + handle +
           " error: " + std::to_string(error) + ")\n";
}

TEST_F(BindingTest, NullHandleIsReportedBeforeTheFailedLookupOnEveryCall) {
    miSetModuleHandle(nullptr);
    miColor color{9, 9, 9, 9};
    for (int call = 0; call < 2; ++call) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(mi_trace_transparent(&color, &state), miFALSE);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "DYNLOAD: dl_handle null\n" +
                      failure("mi_trace_transparent", "00000000", EINVAL));
    }
    EXPECT_EQ(color.r, 9.0f); // nothing was called
}

TEST_F(BindingTest, MissingNameIsReportedOnEveryCallAndGivesZero) {
    miSetModuleHandle(partial.handle);
    miColor color{};
    for (int call = 0; call < 3; ++call) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(mi_trace_transparent(&color, &state), miFALSE);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  failure("mi_trace_transparent", partial.handleText(), ENOENT));
    }
    // The other entries of that module resolve quietly.
    testing::internal::CaptureStderr();
    miScalar field = 0;
    EXPECT_EQ(mi_phen_eval(&state, &field), &partial.record->value);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

int substituteCalls = 0;

miBoolean substituteTrace(miColor* result, miState*) {
    ++substituteCalls;
    result->r = 42;
    return miTRUE;
}

TEST_F(BindingTest, ResolvedAddressIsStoredAndLaterCallsUseItWithoutLookingUpAgain) {
    std::atomic<void*>& word =
        quillomar::binding::cache[static_cast<int>(quillomar::binding::Entry::TraceTransparent)];
    miSetModuleHandle(full.handle);
    EXPECT_EQ(word.load(), nullptr);
    miColor color{};
    EXPECT_EQ(mi_trace_transparent(&color, &state), miTRUE);
    EXPECT_EQ(word.load(), dlsym(full.handle, "mi_trace_transparent"));

    // Whatever the cache holds is what the entry calls: no name lookup on later calls.
    word.store(reinterpret_cast<void*>(&substituteTrace));
    substituteCalls = 0;
    for (int call = 0; call < 3; ++call)
        EXPECT_EQ(mi_trace_transparent(&color, &state), miTRUE);
    EXPECT_EQ(substituteCalls, 3);
    EXPECT_EQ(color.r, 42.0f);
}

TEST_F(BindingTest, NewModuleHandleResolvesEveryEntryAgain) {
    miScalar field = 0;
    miSetModuleHandle(full.handle);
    EXPECT_EQ(mi_phen_eval(&state, &field), &full.record->value);
    miColor color{};
    EXPECT_EQ(mi_trace_transparent(&color, &state), miTRUE);

    miSetModuleHandle(partial.handle);
    EXPECT_EQ(mi_phen_eval(&state, &field), &partial.record->value);
    EXPECT_EQ(partial.record->lastParameter.load(), &field);
    testing::internal::CaptureStderr();
    EXPECT_EQ(mi_trace_transparent(&color, &state), miFALSE); // the cached address is gone
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
}

TEST_F(BindingTest, QueryForwardsTheArgumentsItsCodeNeeds) {
    miSetModuleHandle(full.handle);
    FakeRendererRecord& seen = *full.record;
    int result = 0;
    int pointee = 0;
    const miTag tag = 77;

    ASSERT_EQ(mi_query(miQ_PRI_INDEX, &state, 0, &result), miTRUE);
    EXPECT_EQ(seen.queryCode, 159);
    EXPECT_EQ(seen.queryState, &state);
    EXPECT_EQ(seen.queryTag, 0u);
    EXPECT_EQ(seen.queryResult, &result);

    for (int code : {15, 152, 163, 171, 172}) {
        seen.queryInt = 0;
        mi_query(static_cast<miQ_type>(code), &state, tag, &result, 4242 + code);
        EXPECT_EQ(seen.queryCode, code);
        EXPECT_EQ(seen.queryTag, tag);
        EXPECT_EQ(seen.queryInt, 4242 + code);
    }

    mi_query(static_cast<miQ_type>(127), &state, tag, &result, static_cast<void*>(&pointee));
    EXPECT_EQ(seen.queryPointer, &pointee);

    seen.queryPointer = nullptr;
    mi_query(static_cast<miQ_type>(165), &state, tag, &result, static_cast<void*>(&pointee), -3);
    EXPECT_EQ(seen.queryPointer, &pointee);
    EXPECT_EQ(seen.queryInt, -3);
    EXPECT_EQ(seen.queryResult, &result);
}

TEST_F(BindingTest, MessagesReachTheRendererAsPercentSWithAtMost1023Characters) {
    miSetModuleHandle(full.handle);
    FakeRendererRecord& seen = *full.record;
    using Plain = void (*)(const char*, ...);
    using Numbered = void (*)(const int, const char*, ...);
    const std::pair<const char*, Plain> plain[] = {{"mi_debug", mi_debug},
                                                   {"mi_progress", mi_progress},
                                                   {"mi_info", mi_info},
                                                   {"mi_warning", mi_warning},
                                                   {"mi_error", mi_error},
                                                   {"mi_fatal", mi_fatal},
                                                   {"mi_api_warning", mi_api_warning},
                                                   {"mi_api_error", mi_api_error}};
    const std::pair<const char*, Numbered> numbered[] = {
        {"mi_nwarning", mi_nwarning}, {"mi_nerror", mi_nerror}, {"mi_nfatal", mi_nfatal}};
    const std::string longText(3000, 'x');

    for (const auto& [name, function] : plain) {
        function("%d %s %%", 12, "twelve");
        EXPECT_STREQ(seen.messageFunction, name);
        EXPECT_STREQ(seen.messageFormat, "%s");
        EXPECT_STREQ(seen.messageText, "12 twelve %");
        function("%s", longText.c_str());
        EXPECT_EQ(std::strlen(seen.messageText), 1023u) << name;
    }
    for (const auto& [name, function] : numbered) {
        function(301, "%s!", "late");
        EXPECT_STREQ(seen.messageFunction, name);
        EXPECT_EQ(seen.messageNumber, 301);
        EXPECT_STREQ(seen.messageFormat, "%s");
        EXPECT_STREQ(seen.messageText, "late!");
        function(5, "%s", longText.c_str());
        EXPECT_EQ(std::strlen(seen.messageText), 1023u) << name;
    }
}

TEST_F(BindingTest, ConcurrentFirstCallsAllReachTheRenderer) {
    for (int round = 0; round < 5; ++round) {
        miSetModuleHandle(full.handle);
        full.record->phenEvalCalls = 0;
        constexpr int kThreads = 8;
        std::atomic<int> ready{0};
        std::vector<void*> seen(kThreads, nullptr);
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                miState own{};
                miScalar field = 0;
                ++ready;
                while (ready.load() < kThreads) {
                }
                seen[t] = mi_phen_eval(&own, &field);
            });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        EXPECT_EQ(full.record->phenEvalCalls, kThreads);
        for (void* address : seen) {
            EXPECT_EQ(address, &full.record->value);
        }
    }
}

// A parameter block followed by its attachment words, as the renderer lays it out.
struct Block {
    miScalar value = 1.5f;
    miScalar other = 2.5f;
    miTag ghosts[2] = {0, 0};
};

TEST_F(BindingTest, EvaluationRuleReadsInPlaceUnlessFlaggedAndAttached) {
    miSetModuleHandle(full.handle);
    Block block;
    miFunction record{};
    record.ghost_offs = offsetof(Block, ghosts);
    miState state{};
    state.shader = &record;
    const miScalar* computed = &full.record->value;
    struct Case {
        miUchar flag;
        miTag tag;
        bool attached;
    };
    const Case cases[] = {{0, 5, false}, {0, 0, false},
                          {1, 0, false}, {1, static_cast<miTag>(-2), false},
                          {1, 5, true},  {1, static_cast<miTag>(-1), true},
                          {2, 5, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flag " << int(c.flag) << " tag " << c.tag);
        record.ghost_used = c.flag;
        block.ghosts[0] = c.tag;
        full.record->lastParameter = nullptr;
        const miScalar* read = quillomar::evaluated(&state, &block.value);
        EXPECT_EQ(read, c.attached ? computed : &block.value);
        EXPECT_EQ(full.record->lastParameter.load(), c.attached ? &block.value : nullptr);
        // The neighbouring field has its own attachment word.
        EXPECT_EQ(quillomar::evaluated(&state, &block.other), &block.other);
    }
}

TEST_F(BindingTest, EvaluationRuleFallsBackInPlaceWhenTheRendererCannotEvaluate) {
    miSetModuleHandle(nullptr);
    Block block;
    miFunction record{};
    record.ghost_offs = offsetof(Block, ghosts);
    record.ghost_used = 1;
    block.ghosts[0] = 9;
    miState state{};
    state.shader = &record;
    testing::internal::CaptureStderr();
    EXPECT_EQ(quillomar::evaluatedValue(&state, &block.value), 1.5f);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
}

} // namespace
