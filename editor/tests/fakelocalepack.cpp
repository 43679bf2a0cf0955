// A stand-in for the language library in tests: a loadable shared library
// that the editor's start-up accepts.
extern "C" int localepack_test_marker()
{
    return 1;
}
