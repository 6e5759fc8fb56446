#pragma once
// A minimal expectation counter for the Windows test programs, which run under Wine without a
// test framework.
#include <string>

// Records a failed expectation with its description on stdout.
void check(bool holds, const std::string& what);

// Number of failed expectations so far.
int failureCount();

// Prints the summary line and gives the program's exit code: 0 when every expectation held.
int finish(const char* program);
