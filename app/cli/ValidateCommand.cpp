#include "ValidateCommand.h"

#include "CliFailure.h"
#include "ModelReport.h"
#include "PublishedLaminae.h"
#include "VerificationSuite.h"

int RunValidate(const ValidateCommand& command, std::ostream& out, std::ostream& err) {
    const LaminaeReading reading =
        ReadPublishedLaminae(PublishedLaminaeJson(), kPublishedLaminaeFile);
    if (!reading.data) {
        Reject(reading.error);
    }
    const std::vector<VerificationCase> cases = RunVerification();
    const ValidationResult validation = Validate(*reading.data);
    switch (command.format) {
        case ValidateCommand::Format::Json:
            out << ModelReportJson(cases, validation).dump(2) << '\n';
            break;
        case ValidateCommand::Format::Markdown:
            out << ModelReport(cases, validation).RenderMarkdown();
            break;
        case ValidateCommand::Format::Text:
            out << ModelReport(cases, validation).RenderText();
            break;
    }
    // The first few failures by name; the report shows them all.
    constexpr int kNamed = 5;
    int failed = 0;
    for (const VerificationCase& verification : cases) {
        for (const VerificationCheck& check : verification.checks) {
            if (!check.Passed() && ++failed <= kNamed) {
                err << "corvel-cli: verification failed: " << verification.title << ": "
                    << check.model << ", " << check.quantity << '\n';
            }
        }
    }
    if (failed > kNamed) {
        err << "corvel-cli: " << failed << " verification checks failed in all\n";
    }
    return failed == 0 ? 0 : kExitRejected;
}
