#pragma once

// A window of the program made on its first use rather than at start: the
// first frame of the main window waits for none of the secondary windows.
// Used like the pointer that owns it; the wiring given with beimMachen runs
// once, right after the window is made.

#include <functional>
#include <memory>
#include <utility>

template<typename T>
class BeiBedarf {
public:
    using Machen = std::function<std::unique_ptr<T>()>;

    explicit BeiBedarf(Machen machen = [] { return std::make_unique<T>(); })
        : machen(std::move(machen))
    {
    }

    void beimMachen(std::function<void(T &)> verbinden) { einrichten = std::move(verbinden); }

    T *get()
    {
        if (!objekt) {
            objekt = machen();
            if (einrichten)
                einrichten(*objekt);
        }
        return objekt.get();
    }
    T *operator->() { return get(); }
    T &operator*() { return *get(); }

private:
    Machen machen;
    std::function<void(T &)> einrichten;
    std::unique_ptr<T> objekt;
};
