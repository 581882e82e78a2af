// The engine the game uses: it searches on the calling thread and keeps the interface alive by
// calling the pump it was given every few thousand nodes, which handles the events pending then.
#pragma once

#include "engine/chess_search.h"

#include <functional>

class CHESS_SEARCH_NO_THREAD : public CHESS_SEARCH {
  public:
    using PUMP = std::function<void()>;

    explicit CHESS_SEARCH_NO_THREAD(PUMP pump = {}) : pump_(std::move(pump)) {}

  protected:
    void pump_message() override {
        if (pump_) {
            pump_();
        }
    }

  private:
    PUMP pump_;
};
