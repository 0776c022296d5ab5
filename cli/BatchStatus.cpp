#include "BatchStatus.h"

namespace keldo {

int StatusOf(const WellPreparation& preparation)
{
    switch (preparation.status) {
    case PreparationStatus::Prepared:
        return kBatchCompleted;
    case PreparationStatus::DocumentUnreadable:
    case PreparationStatus::ModelUnreadable:
        return kBatchUnreadable;
    case PreparationStatus::WellDataUnusable:
        return StatusOf(preparation.wellData);
    case PreparationStatus::ModelMissing:
    case PreparationStatus::MeasurementsRefused:
    case PreparationStatus::InputsRefused:
        return kBatchRefused;
    }
    return kBatchRefused;
}

int StatusOf(const WellDataError& error)
{
    switch (GroupOf(error.kind)) {
    case WellDataErrorGroup::UnreadableFile:
        return kBatchUnreadable;
    case WellDataErrorGroup::NothingToUse:
        return kBatchRefused;
    }
    return kBatchRefused;
}

int StatusOf(const CoreTableError& error)
{
    switch (error.kind) {
    case CoreTableErrorKind::CannotOpen:
        return kBatchUnreadable;
    case CoreTableErrorKind::TooLarge:
    case CoreTableErrorKind::BadLine:
    case CoreTableErrorKind::LineTooLong:
        return kBatchRefused;
    }
    return kBatchRefused;
}

} // namespace keldo
