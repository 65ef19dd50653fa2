#pragma once

#include <string>

#include "engine/engine_context.h"

namespace morvane {

// Rules whose actions keep changing each other's flags, an Ambient that sets a flag on every
// update and scenes that jump to each other would recurse until the stack runs out. Every
// re-entrant operation counts its nesting; past this depth the whole cascade is abandoned back to
// the event handler that started it, with one message, and play goes on. Sane games nest a
// handful of levels.
inline constexpr int kCascadeBound = 96;

// Thrown past the bound and caught only by the outermost step of the cascade. It is not a
// RuntimeError, so the procedures that trap run-time errors let it through.
struct CascadeAbandoned {
    Integer Scene = 0;
};

// Marks the start of a new cascade for as long as it lives: an event handler running inside
// another operation's wait, or a pump. An abandoned cascade unwinds no further than this.
class CascadeRoot {
  public:
    explicit CascadeRoot(EngineContext& ctx) : ctx_(ctx), saved_(ctx.CascadeRootDepth) {
        ctx.CascadeRootDepth = ctx.CascadeDepth;
    }
    ~CascadeRoot() { ctx_.CascadeRootDepth = saved_; }
    CascadeRoot(const CascadeRoot&) = delete;
    CascadeRoot& operator=(const CascadeRoot&) = delete;

  private:
    EngineContext& ctx_;
    int saved_;
};

// Shows the abandoned cascade's message and releases what a load in progress held.
void ReportAbandonedCascade(EngineContext& ctx, const std::string& procedure,
                            const CascadeAbandoned& abandoned);

// Runs one re-entrant step of a cascade, counting its nesting.
template <typename Body>
void RunCascadeStep(EngineContext& ctx, const char* procedure, Body&& body) {
    const bool outermost = ctx.CascadeDepth == ctx.CascadeRootDepth;
    struct Depth {
        EngineContext& ctx;
        explicit Depth(EngineContext& c) : ctx(c) { ++ctx.CascadeDepth; }
        ~Depth() { --ctx.CascadeDepth; }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
    } depth(ctx);
    try {
        if (ctx.CascadeDepth > kCascadeBound) {
            throw CascadeAbandoned{ctx.State.CurrentScene};
        }
        body();
    } catch (const CascadeAbandoned& abandoned) {
        if (!outermost) {
            throw;
        }
        ReportAbandonedCascade(ctx, procedure, abandoned);
    }
}

}  // namespace morvane
