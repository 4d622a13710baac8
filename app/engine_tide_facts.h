#pragma once
// The tooltips' tide facts from the engine: a fresh daily solution for every
// question, as nothing is cached between them.

#include "app/tray_controller.h"

namespace marilo {

class EngineTideFacts final : public TideFacts {
public:
    DayFacts day(PortAddress port, const DateTime& date) override;
    double levelAt(PortAddress port, const DateTime& when) override;
};

}  // namespace marilo
