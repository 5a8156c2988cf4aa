#pragma once

// The one shape of the engine's singletons. A class T derives from
// SC_Singleton<T> (after QObject, where it is one) and befriends it when its
// constructor is private; instance() makes T on first use.
//
// Nothing deletes the instance at exit: the engine's shut-down deletes, in
// its order, the ones whose end matters, and a destructor running after
// QApplication is gone could only do harm. Tests start afresh with
// destroyInstance().
//
// Every singleton belongs to the GUI thread and is first asked for there, so
// instance() takes no lock.
template <typename T> class SC_Singleton
{
public:
    static T *instance()
    {
        if (!s_instance)
            s_instance = new T;
        return static_cast<T *>(s_instance);
    }

    // Null when there is none, for code that must not bring one into being:
    // a reader that may run before the start-up made it, or after it went.
    static T *existingInstance() { return static_cast<T *>(s_instance); }

    // The next instance() makes a new one.
    static void destroyInstance() { delete existingInstance(); }

    SC_Singleton(const SC_Singleton &) = delete;
    SC_Singleton &operator=(const SC_Singleton &) = delete;

protected:
    SC_Singleton() = default;
    // An owner may delete the instance directly (a parent widget, the
    // shut-down); the next instance() must then not hand out the dead one.
    // A T a test builds for itself is not the instance and leaves it alone.
    ~SC_Singleton()
    {
        if (s_instance == this)
            s_instance = nullptr;
    }

private:
    // Held as the base, so the destructor compares without casting an
    // object whose T part is already gone.
    static inline SC_Singleton *s_instance = nullptr;
};
