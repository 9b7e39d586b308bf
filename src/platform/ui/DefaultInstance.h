#pragma once

#include <memory>

namespace trelimor::ui {

// Windows keep one instance for the whole run, made on first use and hidden rather than
// destroyed. Tests destroy them all between cases with resetAllInstances().
void registerInstanceReset(void (*reset)());
// Destroys every default instance made so far, newest first.
void resetAllInstances();

// The default instance of a window class T. A class with a private constructor befriends
// DefaultInstance<T>; it usually offers `static T& instance() { return DefaultInstance<T>::get(); }`.
template <class T>
class DefaultInstance
{
public:
    static T& get()
    {
        if (!slot()) {
            slot().reset(new T);
            registerInstanceReset(&reset);
        }
        return *slot();
    }
    static bool exists() { return slot() != nullptr; }
    static void reset() { slot().reset(); }

private:
    static std::unique_ptr<T>& slot()
    {
        static std::unique_ptr<T> instance;
        return instance;
    }
};

} // namespace trelimor::ui
