#include "PressureEvaluation.h"

#include "DecimalNumber.h"
#include "PressureDepthGraph.h"
#include "PressureMessages.h"
#include "PressureReport.h"
#include "TextFormat.h"

namespace keldo {

std::string PressureEvaluation::Message() const
{
    if (failure)
        return PressureFileMessage(*failure, file);
    if (!level.ok())
        return FreeWaterLevelRefusalMessage(level);
    if (levelNotPositive)
        return Format("ABBRUCH!!Das freie Wasserniveau %.2f m ist nicht größer Null und kann nicht als Kontakt "
                      "übernommen werden!",
            level.level);
    return {};
}

PressureEvaluation EvaluatePressureFile(const std::string& path, const std::string& file, const CKeldoInputs& inputs)
{
    PressureEvaluation evaluation;
    evaluation.file = file;
    PressureFileError error;
    if (!ReadPressureFile(path, inputs.m_strBohrung, evaluation.table, error)) {
        evaluation.failure = error;
        return evaluation;
    }
    evaluation.level = FitFreeWaterLevel(evaluation.table.points, inputs.m_nFluid);
    evaluation.levelNotPositive = evaluation.level.ok() && !(LevelAsContact(evaluation.level) > 0);
    return evaluation;
}

float LevelAsContact(const FreeWaterLevel& level)
{
    double shown = 0;
    ParseNumber(Format("%.2f", level.level), shown);
    return static_cast<float>(shown);
}

std::vector<std::string> PressureEvaluationReport(
    const PressureEvaluation& evaluation, const CKeldoInputs& inputs, std::optional<float> logContact)
{
    return PressureReport(evaluation.level, evaluation.table, evaluation.file, inputs, logContact);
}

GraphPage PressureEvaluationPage(
    const PressureEvaluation& evaluation, const CKeldoInputs& inputs, std::optional<float> logContact)
{
    return PressureDepthGraph(evaluation.level, evaluation.table.leftOut, logContact, inputs.m_nFluid,
        inputs.m_strBohrung);
}

} // namespace keldo
