// The worked example of a settings file and the parameter text the launcher
// composes from it, shared by the tests and benchmarks.
#ifndef BRINDOKA_TESTS_SUPPORT_WORKED_EXAMPLE_H
#define BRINDOKA_TESTS_SUPPORT_WORKED_EXAMPLE_H

namespace brindoka::testing {

constexpr const char* kWorkedExample =
    "[Config]\n"
    "client=a.jar\nlib=b.jar\nsoap=c.jar\nxerces=d.jar\nmail=e.jar\n"
    "activation=f.jar\nmainclass=Main\nrouter=Rt\nconf=Cf\n";

constexpr const char* kWorkedParameters =
    "-classpath \"a.jar;b.jar;c.jar;d.jar;e.jar;f.jar\" Main Rt Cf";

// The parameters when no setting is found.
constexpr const char* kDefaultParameters = "-classpath \";;;;;\"   ";

}  // namespace brindoka::testing

#endif
