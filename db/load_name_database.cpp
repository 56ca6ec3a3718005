#include "db/load_name_database.h"

#include "app/messages.h"
#include "app/program_paths.h"
#include "db/table_definitions.h"
#include "text/gbk.h"

namespace langyue {

bool load_name_database(NameDatabase& database, const std::string& program_dir) {
    const std::vector<TableDef>& tables = name_tables();
    // No create flag: attaching a missing file must fail rather than create an empty one.
    if (!database.open_memory()) {
        show_error(gbk("打开内存数据库失败！"));
        return false;
    }
    std::string error;
    for (const TableDef& table : tables) {
        if (!database.create_table(table.name, table.fields, error)) {
            database.close();
            show_error(error);
            return false;
        }
    }
    const std::string schema = "new_db";
    // The path goes into the statement as GBK, as every statement does; a path that has no
    // GBK form cannot be attached.
    const std::string path = utf8_to_gbk(program_dir + "/data/namedata.db");
    if (path.empty() || !database.attach(path, schema, error)) {
        database.close();
        show_error(gbk("将磁盘数据库附加到内存数据库失败！"));
        return false;
    }
    database.begin();
    for (const TableDef& table : tables) {
        const std::string copy =
            "insert into " + table.name + " select * from " + schema + "." + table.name;
        if (!database.exec(copy, error)) {
            database.rollback();
            database.close();
            show_error(error);
            return false;
        }
    }
    database.commit();
    database.detach(schema, error);
    for (const char* index : {"CREATE INDEX NewIndex1 on LM_CNWord(汉字 ASC)",
                              "CREATE INDEX NewIndex2 on LM_八一灵动数(Id ASC)",
                              "CREATE INDEX NewIndex3 on LM_三才配置(三才 ASC)"}) {
        database.query(gbk(index)).finalize();
    }
    return true;
}

bool load_name_database() { return load_name_database(name_database(), program_directory()); }

}  // namespace langyue
