#pragma once

#include <memory>
#include <utility>

namespace trelimor::test {

// Installs a test double as the program-wide service for the scope and puts the previous
// service back at its end, which destroys the double. The double names its service and setter:
//     using Service = ui::Clock;
//     static constexpr auto install = &ui::setClock;
// Usage: Installed<FakeClock> clock; clock->advance(1000);
template <class Fake>
class Installed
{
public:
    template <class... Args>
    explicit Installed(Args&&... args)
    {
        auto fake = std::make_unique<Fake>(std::forward<Args>(args)...);
        m_fake = fake.get();
        m_previous = Fake::install(std::move(fake));
    }

    ~Installed() { Fake::install(std::move(m_previous)); }

    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

    Fake* operator->() const { return m_fake; }
    Fake& operator*() const { return *m_fake; }

private:
    Fake* m_fake = nullptr;
    std::unique_ptr<typename Fake::Service> m_previous;
};

} // namespace trelimor::test
