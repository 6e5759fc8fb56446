#pragma once
// A stand-in renderer module for the binding tests: it exports the renderer functions the
// binding looks up and records what each received, so tests can see exactly what the binding
// entries forwarded.
#include <shader.h>

#include <atomic>

struct FakeRendererRecord {
    int identity = 0;   // which fake module this is
    miScalar value = 0; // what mi_phen_eval returns the address of
    std::atomic<int> phenEvalCalls{0};
    std::atomic<void*> lastParameter{nullptr};

    int queryCode = -1;
    miState* queryState = nullptr;
    miTag queryTag = 0;
    void* queryResult = nullptr;
    int queryInt = 0;
    void* queryPointer = nullptr;

    std::atomic<int> messageCalls{0};
    const char* messageFunction = "";
    char messageFormat[16] = {};
    int messageNumber = 0;
    char messageText[4096] = {};
};

// Exported by every fake module: its record.
using FakeRecordFunction = FakeRendererRecord* (*)();
