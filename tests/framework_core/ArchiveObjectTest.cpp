// Object references: new classes, known classes, earlier objects, and what
// a damaged stream of them must never do.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "framework/core/Archive.h"
#include "framework/core/ObArray.h"

namespace {

using Bytes = std::vector<unsigned char>;

class CTestLeaf : public CObject {
    DECLARE_SERIAL(CTestLeaf)
public:
    CTestLeaf() = default;
    explicit CTestLeaf(WORD v) : m_value(v) {}
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    WORD m_value = 0;
};
IMPLEMENT_SERIAL(CTestLeaf, CObject, 1)

// Owns its children, points at a leaf owned elsewhere.
class CTestNode : public CObject {
    DECLARE_SERIAL(CTestNode)
public:
    ~CTestNode() override { m_children.DeleteAll(); }
    void Serialize(CArchive& ar) override {
        m_children.SerializeOwned(ar, RUNTIME_CLASS(CObject));
        if (ar.IsStoring())
            ar.WriteObject(m_pShared);
        else
            m_pShared = static_cast<CTestLeaf*>(ar.ReadSharedObject(RUNTIME_CLASS(CTestLeaf)));
    }
    CObArray m_children;
    CTestLeaf* m_pShared = nullptr;
};
IMPLEMENT_SERIAL(CTestNode, CObject, 1)

class CTestOther : public CObject {
    DECLARE_SERIAL(CTestOther)
};
IMPLEMENT_SERIAL(CTestOther, CObject, 1)

Bytes NewClassTag(const char* name) {
    Bytes b{0xFF, 0xFF, 0x01, 0x00, static_cast<unsigned char>(strlen(name)), 0x00};
    for (const char* p = name; *p; ++p) b.push_back(static_cast<unsigned char>(*p));
    return b;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

struct Loader {
    explicit Loader(const Bytes& b) : file(b.data(), b.size()), ar(&file, CArchive::load) {}
    CMemFile file;
    CArchive ar;
};

}  // namespace

TEST(ArchiveObjects, NewClassKnownClassEarlierObjectAndNull) {
    CTestLeaf a(0x1111), b(0x2222);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(&a);
        ar.WriteObject(&b);
        ar.WriteObject(&a);
        ar.WriteObject(nullptr);
        ar.Close();
    }
    // class CTestLeaf takes index 1, object a index 2, object b index 3
    Bytes expected =
        Cat({NewClassTag("CTestLeaf"), {0x11, 0x11}, {0x01, 0x80}, {0x22, 0x22}, {0x02, 0x00}, {0x00, 0x00}});
    EXPECT_EQ(file.Data(), expected);

    Loader in(expected);
    CObject* p1 = in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf));
    CObject* p2 = in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf));
    CObject* p3 = in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf));
    CObject* p4 = in.ar.ReadObject(nullptr);
    ASSERT_NE(p1, nullptr);
    EXPECT_EQ(static_cast<CTestLeaf*>(p1)->m_value, 0x1111);
    EXPECT_EQ(static_cast<CTestLeaf*>(p2)->m_value, 0x2222);
    EXPECT_EQ(p3, p1);
    EXPECT_EQ(p4, nullptr);
    delete p1;
    delete p2;
}

TEST(ArchiveObjects, OwnedArraysAndSharedReferencesRoundTrip) {
    CTestLeaf shared(7);
    CTestNode node;
    node.m_children.Add(new CTestLeaf(1));
    node.m_children.Add(new CTestLeaf(2));
    node.m_pShared = &shared;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(&shared);
        ar.WriteObject(&node);
        ar.Close();
    }
    // leaf class 1, shared 2, node class 3, node 4, count 2, children 5 and 6, back reference to 2
    Bytes expected = Cat({NewClassTag("CTestLeaf"),
                          {0x07, 0x00},
                          NewClassTag("CTestNode"),
                          {0x02, 0x00},
                          {0x01, 0x80, 0x01, 0x00},
                          {0x01, 0x80, 0x02, 0x00},
                          {0x02, 0x00}});
    EXPECT_EQ(file.Data(), expected);

    Loader in(expected);
    CObject* pShared = in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf));
    auto* pNode = static_cast<CTestNode*>(in.ar.ReadObject(RUNTIME_CLASS(CTestNode)));
    ASSERT_EQ(pNode->m_children.GetSize(), 2);
    EXPECT_EQ(static_cast<CTestLeaf*>(pNode->m_children[1])->m_value, 2);
    EXPECT_EQ(pNode->m_pShared, pShared);
    delete pNode;
    delete pShared;
}

TEST(ArchiveObjects, IndexesBeyond7FFEUseTheLongForms) {
    std::vector<CTestLeaf> leaves(0x8000);
    CTestNode n1, n2;
    n1.m_pShared = n2.m_pShared = &leaves[0];
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        for (auto& l : leaves) ar.WriteObject(&l);  // class 1, objects 2..0x8001
        ar.WriteObject(&n1);                        // class 0x8002, object 0x8003
        ar.WriteObject(&n2);                        // known class with a long index
        ar.WriteObject(&leaves[0x7FFE]);            // object 0x8000
        ar.Close();
    }
    const Bytes& d = file.Data();
    size_t pos = NewClassTag("CTestLeaf").size() + 2 + (0x8000 - 1) * 4;
    Bytes n1Bytes = Cat({NewClassTag("CTestNode"), {0x00, 0x00}, {0x02, 0x00}});
    pos += n1Bytes.size();
    EXPECT_EQ(Bytes(d.begin() + static_cast<long>(pos), d.begin() + static_cast<long>(pos) + 6),
              (Bytes{0xFF, 0x7F, 0x02, 0x80, 0x00, 0x80}));
    EXPECT_EQ(Bytes(d.end() - 6, d.end()), (Bytes{0xFF, 0x7F, 0x00, 0x80, 0x00, 0x00}));

    Loader in(d);
    std::vector<CObject*> read;
    for (int i = 0; i < 0x8000; ++i) read.push_back(in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf)));
    CObject* r1 = in.ar.ReadObject(RUNTIME_CLASS(CTestNode));
    CObject* r2 = in.ar.ReadObject(RUNTIME_CLASS(CTestNode));
    EXPECT_NE(r1, r2);
    EXPECT_EQ(in.ar.ReadObject(nullptr), read[0x7FFE]);
    for (CObject* p : read) delete p;
    delete r1;
    delete r2;
}

TEST(ArchiveObjects, DamagedStreamsRaiseTheArchiveException) {
    struct Case {
        const char* what;
        Bytes bytes;
        int cause;
    };
    const Bytes leaf = Cat({NewClassTag("CTestLeaf"), {0x05, 0x00}});
    const Case cases[] = {
        {"truncated class name", Bytes{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00, 'C', 'T'},
         CArchiveException::endOfFile},
        {"truncated object data", Cat({NewClassTag("CTestLeaf"), {0x05}}), CArchiveException::endOfFile},
        {"unknown class", Cat({NewClassTag("CNoSuchClass"), {0x00, 0x00}}), CArchiveException::badClass},
        {"schema 2",
         Bytes{0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00, 'C', 'T', 'e', 's', 't', 'L', 'e', 'a', 'f', 0, 0},
         CArchiveException::badSchema},
        {"earlier object that does not exist", Bytes{0x09, 0x00}, CArchiveException::badIndex},
        {"long index that does not exist", Bytes{0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00},
         CArchiveException::badIndex},
        {"class index that does not exist", Bytes{0x05, 0x80}, CArchiveException::badIndex},
        {"wrong class for the expected kind", Cat({NewClassTag("CTestOther")}), CArchiveException::badClass},
    };
    for (const Case& c : cases) {
        Loader in(c.bytes);
        try {
            CObject* p = in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf));
            delete p;
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause) << c.what;
        }
    }

    // An index naming a class where an object is meant, and the reverse.
    {
        Loader in(Cat({leaf, {0x01, 0x00}}));
        CObject* p = in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf));
        EXPECT_THROW(in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf)), CArchiveException);
        delete p;
    }
    {
        Loader in(Cat({leaf, {0x02, 0x80}}));
        CObject* p = in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf));
        EXPECT_THROW(in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf)), CArchiveException);
        delete p;
    }
    // An earlier object of another kind.
    {
        Loader in(Cat({NewClassTag("CTestOther"), {0x02, 0x00}}));
        CObject* p = in.ar.ReadObject(nullptr);
        EXPECT_THROW(in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf)), CArchiveException);
        delete p;
    }
}

TEST(ArchiveObjects, OwnershipCannotBeForgedByBackReferences) {
    // A node whose two children are the same object would delete it twice.
    // (node class 1, node 2, leaf class 3, leaf 4, then a reference back to 4)
    Bytes twice =
        Cat({NewClassTag("CTestNode"), {0x02, 0x00}, NewClassTag("CTestLeaf"), {0x01, 0x00}, {0x04, 0x00}});
    {
        Loader in(twice);
        EXPECT_THROW(in.ar.ReadObject(RUNTIME_CLASS(CTestNode)), CArchiveException);
    }
    // A node that owns itself.
    Bytes self = Cat({NewClassTag("CTestNode"), {0x01, 0x00}, {0x02, 0x00}});
    {
        Loader in(self);
        EXPECT_THROW(in.ar.ReadObject(RUNTIME_CLASS(CTestNode)), CArchiveException);
    }
    // A shared pointer that brings a new object nobody would own.
    Bytes fresh = Cat({NewClassTag("CTestNode"), {0x00, 0x00}, NewClassTag("CTestLeaf"), {0x01, 0x00}});
    {
        Loader in(fresh);
        EXPECT_THROW(in.ar.ReadObject(RUNTIME_CLASS(CTestNode)), CArchiveException);
    }
    // A null where an owned element is required.
    Bytes nullChild = Cat({NewClassTag("CTestNode"), {0x01, 0x00}, {0x00, 0x00}});
    {
        Loader in(nullChild);
        EXPECT_THROW(in.ar.ReadObject(RUNTIME_CLASS(CTestNode)), CArchiveException);
    }
}

TEST(ArchiveObjects, HugeCountsAndDeepNestingEndInTheException) {
    // A count of four billion children with no bytes behind it.
    Bytes hugeCount = Cat({NewClassTag("CTestNode"), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}});
    {
        Loader in(hugeCount);
        EXPECT_THROW(in.ar.ReadObject(RUNTIME_CLASS(CTestNode)), CArchiveException);
    }
    // Nodes nested inside nodes far deeper than any real file: refused
    // before the stack runs out.
    Bytes deep = Cat({NewClassTag("CTestNode"), {0x01, 0x00}});
    for (int i = 0; i < 100000; ++i) deep.insert(deep.end(), {0x01, 0x80, 0x01, 0x00});
    {
        Loader in(deep);
        EXPECT_THROW(in.ar.ReadObject(RUNTIME_CLASS(CTestNode)), CArchiveException);
    }
}

// Objects written as owned are numbered without being remembered: the bytes
// must be those of the general form, so later references to shared objects
// keep their indexes, short and long.
TEST(ArchiveObjects, OwnedObjectsWriteTheSameBytesAsRememberedOnes) {
    std::vector<CTestLeaf> owned(0x8010);
    CTestLeaf shared(7), lateShared(9);
    CTestNode node;
    node.m_pShared = &shared;
    for (int i = 0; i < 3; ++i) node.m_children.Add(&owned[static_cast<size_t>(i)]);

    auto write = [&](bool bOwned) {
        CMemFile file;
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(&shared);
        if (bOwned)
            ar.WriteOwnedObject(&node);
        else
            ar.WriteObject(&node);
        for (size_t i = 3; i < owned.size(); ++i) {
            if (bOwned)
                ar.WriteOwnedObject(&owned[i]);
            else
                ar.WriteObject(&owned[i]);
        }
        ar.WriteObject(&lateShared);
        ar.WriteObject(&shared);      // short back reference
        ar.WriteObject(&lateShared);  // index beyond 0x7FFE
        ar.WriteOwnedObject(nullptr);
        ar.Close();
        return file.Data();
    };
    const Bytes remembered = write(false);
    const Bytes owning = write(true);
    EXPECT_EQ(owning, remembered);
    EXPECT_EQ(Bytes(owning.end() - 10, owning.end()),
              (Bytes{0x02, 0x00, 0xFF, 0x7F, 0x15, 0x80, 0x00, 0x00, 0x00, 0x00}));
    node.m_children.RemoveAll();

    // And they read back: the node's shared leaf is the first object.
    Loader in(owning);
    CObject* pShared = in.ar.ReadObject(RUNTIME_CLASS(CTestLeaf));
    auto* pNode = static_cast<CTestNode*>(in.ar.ReadOwnedObject(RUNTIME_CLASS(CTestNode)));
    EXPECT_EQ(pNode->m_pShared, pShared);
    EXPECT_EQ(pNode->m_children.GetSize(), 3);
    delete pNode;
    delete pShared;
}
