#include "profile_file.h"

#include "spectrum.h"

namespace vib::random {

ProfileRecords ToRecords(const RandomState& s, const std::string& caption) {
    ProfileRecords r;
    for (int k = 1; k <= ProfileRecords::kRecords; ++k) {
        r.numbers[k] = {s.Params[k], s.Freq[k],    s.Reserved1[k],
                        s.Asd[k],    s.AbortDb[k], s.Reserved2[k]};
        r.notes[k] = s.Comment[k];
    }
    r.trailer = {caption, s.FileText1, s.FileText2, s.SubTitle1, s.SubTitle2};
    r.trailerCount = ProfileRecords::kTrailer;
    return r;
}

void FromRecords(const ProfileRecords& r, RandomState& s) {
    for (int k = 1; k <= ProfileRecords::kRecords; ++k) {
        const auto& n = r.numbers[k];
        s.Params[k] = n[0];
        s.Freq[k] = n[1];
        s.Reserved1[k] = n[2];
        s.Asd[k] = n[3];
        s.AbortDb[k] = n[4];
        s.Reserved2[k] = n[5];
        s.Comment[k] = r.notes[k];
    }
    std::string* texts[] = {&s.TestTitle, &s.FileText1, &s.FileText2, &s.SubTitle1, &s.SubTitle2};
    for (int t = 0; t < r.trailerCount && t < ProfileRecords::kTrailer; ++t)
        *texts[t] = r.trailer[t];
}

FileError OpenRandomProfile(FileSystem& fs, const std::string& path, const std::string& caption,
                            RandomState& s) {
    ProfileRecords records;
    if (FileError e = ReadRecordFile(fs, path, records)) return e;
    if (FileError e = CheckProfileKind(records, ProfileKind::Random)) return e;
    RandomState next = s;
    next.TestTitle = caption;
    FromRecords(records, next);
    if (next.Params[prm::Reserved31] == 0.0f) next.Params[prm::Reserved31] = 5;
    RecomputeModel(next);
    if (!ResultsFinite(next))
        return FileError::Make(err::kOverflow,
                               "its range or levels give results beyond any number");
    s = std::move(next);
    return {};
}

FileError SaveRandomProfile(FileSystem& fs, const std::string& path, const std::string& caption,
                            RandomState& s) {
    s.TestTitle = caption;
    return WriteRecordFile(fs, path, ToRecords(s, caption));
}

}  // namespace vib::random
