#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// JavaScript syntax checks by one long-running Node process (compile_server.mjs), so that each fuzzed
// design costs a compile, not the start of a JavaScript engine.
class ScriptCompiler
{
public:
    ScriptCompiler(const std::string& node, const std::string& server);
    ~ScriptCompiler();
    ScriptCompiler(const ScriptCompiler&) = delete;
    ScriptCompiler& operator=(const ScriptCompiler&) = delete;

    // Empty when the script compiles, otherwise the engine's syntax error.
    std::string syntaxError(std::string_view script);

private:
    pid_t server_ = -1;
    int toServer_ = -1;
    int fromServer_ = -1;
};
