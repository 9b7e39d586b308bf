#pragma once

#include <memory>
#include <utility>

namespace trelimor::ui {

// Holds the one program-wide instance of a service that tests swap for a double.
// The Default implementation is made on first use; replace(nullptr) goes back to it.
template <class Service, class Default>
class Replaceable
{
public:
    constexpr Replaceable() = default;

    Service& get()
    {
        if (!m_instance)
            m_instance = std::make_unique<Default>();
        return *m_instance;
    }

    // Installs the given instance and hands the previous one back to the caller.
    std::unique_ptr<Service> replace(std::unique_ptr<Service> instance)
    {
        return std::exchange(m_instance, std::move(instance));
    }

private:
    std::unique_ptr<Service> m_instance;
};

} // namespace trelimor::ui
