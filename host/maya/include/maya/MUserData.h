#pragma once
// Data a Viewport 2.0 override hands from prepareForDraw to its drawing. Global namespace, as in
// Maya. With deleteAfterUse false the host keeps the object and passes it back as the old data
// of the next prepareForDraw; the host owns it and deletes it.
class MUserData {
public:
    MUserData(bool deleteAfterUse);
    virtual ~MUserData();
    bool deleteAfterUse();
    void setDeleteAfterUse(bool shouldDelete);
    static const char* className();

private:
    bool fDeleteAfterUse;
};
