#include "tests/e2e/launch_cases.h"

namespace brindoka::testing {
namespace {

const char kWorkedExample[] =
    "[Config]\r\n"
    "client=a.jar\r\nlib=b.jar\r\nsoap=c.jar\r\nxerces=d.jar\r\nmail=e.jar\r\n"
    "activation=f.jar\r\nmainclass=Main\r\nrouter=Rt\r\nconf=Cf\r\n";

}  // namespace

std::vector<LaunchCase> LaunchCases(const std::string& customProgram) {
  const std::string longJar = std::string(150, 'j') + ".jar";
  const std::string longConf = std::string(180, 'c');
  return {
      {"WorkedExample", kWorkedExample, "", true,
       "-classpath \"a.jar;b.jar;c.jar;d.jar;e.jar;f.jar\" Main Rt Cf",
       {"-classpath", "a.jar;b.jar;c.jar;d.jar;e.jar;f.jar", "Main", "Rt", "Cf"}},
      {"NoSettingsFile", std::nullopt, "", true, "-classpath \";;;;;\"   ",
       {"-classpath", ";;;;;"}},
      {"CustomJavaw",
       "[Config]\njavaw=" + customProgram + "\nmainclass=Main\n", customProgram,
       true, "-classpath \";;;;;\" Main  ", {"-classpath", ";;;;;", "Main"}},
      {"EmptyJavaw", "[Config]\njavaw=\nmainclass=Main\n", "", false, "", {}},
      {"BlanksInsertedUnchanged",
       "[Config]\nclient=my app.jar\nmainclass=com.example.Main extra\n"
       "router= r \nconf=C:\\dir\\\n",
       "", true,
       "-classpath \"my app.jar;;;;;\" com.example.Main extra  r  C:\\dir\\",
       {"-classpath", "my app.jar;;;;;", "com.example.Main", "extra", "r",
        "C:\\dir\\"}},
      {"QuotesInsertedUnchanged",
       "[Config]\nclient=x\" y\nmainclass=\"a\"\"b\"\nrouter=c\\\"d\nconf=e\\\\\"f g\"\n",
       "", true,
       "-classpath \"x\" y;;;;;\" \"a\"\"b\" c\\\"d e\\\\\"f g\"",
       {"-classpath", "x", "y;;;;; ab c\"d e\\f", "g"}},
      {"LongValuesWhole",
       "[Config]\nclient=" + longJar + "\nconf=" + longConf + "\n", "", true,
       "-classpath \"" + longJar + ";;;;;\"   " + longConf,
       {"-classpath", longJar + ";;;;;", longConf}},
      {"LookupPitfalls",
       "client=before.jar\n"      // before any header: never read
       "[config]\n"               // case is ignored
       "CLIENT = a.jar\n"         // the key is "CLIENT ": no match
       "lib=b.jar ; the lib\n"    // the blank before ";" stays
       "soap=c.jar\n"
       "xerces=[d].jar\n"         // brackets: a header, the section ends
       "mail=e.jar\n",
       "", true, "-classpath \";b.jar ;c.jar;;;\"   ",
       {"-classpath", ";b.jar ;c.jar;;;"}},
      {"ByteOrderMarkHidesHeader", "\xEF\xBB\xBF[Config]\nmainclass=Main\n", "",
       true, "-classpath \";;;;;\"   ", {"-classpath", ";;;;;"}},
      {"SecondConfigIgnored",
       "[Config]\nmainclass=First\n[Other]\n[Config]\nrouter=Second\n", "",
       true, "-classpath \";;;;;\" First  ", {"-classpath", ";;;;;", "First"}},
      {"CtrlZEndsTheFile", "[Config]\nmainclass=Main\n\x1Arouter=Rt\n", "", true,
       "-classpath \";;;;;\" Main  ", {"-classpath", ";;;;;", "Main"}},
  };
}

void PrintTo(const LaunchCase& launchCase, std::ostream* out) {
  *out << launchCase.name;
}

const std::vector<std::string>& IgnoredLauncherArguments() {
  static const std::vector<std::string> arguments = {
      "-classpath", "other.jar", "/?", "Brindoka.Ini", "with blank"};
  return arguments;
}

}  // namespace brindoka::testing
